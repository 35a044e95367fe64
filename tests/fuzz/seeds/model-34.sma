6
0, span
6.5, 
13.5, x
19.5, 
24, "quoted, with comma"
28, x
2
1, 1, 1, "quoted, with comma"
6, 1, 0, x
2
2E8, x
2.1e+11, x
2
8.5E-6, "quoted, with comma"
8.5E-6, span
5
2, 1, 1, 2, span
2, 3, 1, 1, 
3
4, 2, 1, 
4, 5, 2
2, 
5, 6, 1, 1, 

3
5, 2, 6, 7
1, 0, span
5, 2, -1, 8, 0, 0, "quoted, with comma"
4, 1, 11, -1, 0, 0.5, "quoted, with comma"
0
