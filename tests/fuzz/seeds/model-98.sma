3
0, 
2, "quoted, with comma"
10.5, 

2
1, 1, 1, span
3
1, 0, x
1
2E8, "quoted, with comma"
2
8.5E-6, 
8.5E-6, 
2
1, 2, 1, 2, "quoted, with comma"
2
3, 1, 1, span
4
2, 4, 10, -2, 0.5, 0, 
1, 2, -2, 5, 1, 0.5, 
1, 2, 11
-4, 0, 0.25, x
1, 4, -3, 0, 0
0.25, 
0
