5
0, 
1, 
3, "quoted, with comma"
11.5, "quoted, with comma"
15.5, x
2
1, 1, 1, "quoted, with comma"
5, 1, 0, 
1
2.1e+11, x
1
8.5E-6, span
4
1, 2, 1, 1, 
2, 3
1, 1, x
4, 3, 1, 1, "quoted, with comma"
4, 5, 1, 1, 
0
0
