5
0, 
5, x
13, x
15.5, span
23.5, "quoted, with comma"
2
1, 1
1, 
5, 1, 0, span

2
2E8, 
2.1e+11, 

2
8.5E-6, x
0.0004, 
4
2, 1, 2, 2, x
2, 3, 2, 2, "quoted, with comma"
3, 4, 1, 1, 
4, 5, 2, 1, "quoted, with comma"
4
1
4, -1, 2, 1, 0.5, "quoted, with comma"
2, 3, -1, 11, 1, 0, x
3, 3, 5, 0, 1, 0, 
1, 1, 3, 12, 1, 0.25, 
1
2, -4, 0, span
